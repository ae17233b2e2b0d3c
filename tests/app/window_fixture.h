// A real window on real files in a temporary directory, its dialogs answered
// by the test.
#pragma once

#include "app/frm_Kelmor.h"
#include "app/window_dialogs.h"
#include "platform/ui/file_list_box.h"
#include "tests/support/temp_dir.h"

#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace kelmorite::app {

struct AnsweringDialogs : WindowDialogs {
    std::vector<std::string> errors;
    std::vector<DialogSpec> dialogs;
    std::deque<DialogButton> answers;  // then the cancel button
    void showError(const std::string& message) override { errors.push_back(message); }
    DialogButton show(const DialogSpec& dialog) override
    {
        dialogs.push_back(dialog);
        if (answers.empty()) return dialog.cancelButton;
        const DialogButton answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

struct WindowTest : ::testing::Test {
    test::TempDir dir;
    std::string settings = dir.file("Kelmor.ini");
    AnsweringDialogs dialogs;
    std::vector<int> waits;
    std::unique_ptr<TfrmKelmor> window;

    void open()
    {
        DeletionSystem deletion = DeletionSystem::real();
        deletion.wait = [this](int ms) { waits.push_back(ms); };
        window = std::make_unique<TfrmKelmor>(TfrmKelmor::Setup{settings, &dialogs, deletion});
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    static void clickItem(QListWidget* list, const QString& name)
    {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        list->scrollToItem(found[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
    }

    static QStringList names(const QListWidget* list)
    {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text().trimmed();
        return out;
    }
};

}  // namespace kelmorite::app
