// The help window closes from the keyboard: Escape and Ctrl+W.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTextBrowser>
#include <QtTest/QTest>

#include "app/HelpWindow.h"
#include "support/QtSupport.h"

namespace kelpie {
namespace {

TEST(HelpWindowKeys, EscapeAndCtrlWCloseTheHelpWindow)
{
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Escape, Qt::NoModifier},
                                                              {Qt::Key_W, Qt::ControlModifier}};
    for (const auto& [key, modifiers] : keys) {
        SCOPED_TRACE(key);
        QPointer<HelpWindow> help = new HelpWindow(nullptr);
        help->show();
        QApplication::setActiveWindow(help);
        ASSERT_TRUE(test::WaitUntil([&] { return help->isActiveWindow(); }, "the help window is active"));
        QTest::keyClick(test::Child<QTextBrowser>(*help, "txtHelp"), key, modifiers);
        EXPECT_TRUE(test::WaitUntil([&] { return help.isNull(); }, "the help window closes"));
        delete help.data();
    }
}

}  // namespace
}  // namespace kelpie
