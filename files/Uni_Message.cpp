// Unit Uni_Message.
#include "files/Uni_Message.h"
