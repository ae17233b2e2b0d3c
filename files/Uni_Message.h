// Unit Uni_Message: the texts of the deletion dialogs and the guarded deletion.
#pragma once
