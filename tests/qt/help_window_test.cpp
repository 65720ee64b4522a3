// Where no viewer can be started, the help page opens in the program's own window.
#include "qt/help_page.h"
#include "qt/help_window.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <memory>

namespace tarmigo {
namespace {

bool noViewer(const QUrl&) {
    return false;
}
bool aViewer(const QUrl&) {
    return true;
}

TEST(HelpWindowTest, WithoutAViewerThePageOpensInTheProgramsOwnWindowAndItsLinksWork) {
    const QString page = findHelpPage(QFileInfo(QStringLiteral(TARMIGO_PROGRAM)).path());
    ASSERT_FALSE(page.isEmpty());
    // Each language has its page; one without falls back to the English page.
    const QString folder = QFileInfo(page).path();
    EXPECT_EQ(findHelpPage(folder, QStringLiteral("de")),
              folder + QStringLiteral("/tarmigo_de.htm"));
    EXPECT_EQ(findHelpPage(folder, QStringLiteral("fr")),
              folder + QStringLiteral("/tarmigo_fr.htm"));
    EXPECT_EQ(findHelpPage(folder, QStringLiteral("xx")), page);
    EXPECT_EQ(openHelpPage(page, aViewer), nullptr);
    EXPECT_EQ(openHelpPage(QString(), noViewer), nullptr);

    std::unique_ptr<QWidget> opened(openHelpPage(page, noViewer));
    auto* window = dynamic_cast<HelpWindow*>(opened.get());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    QTextBrowser* browser = window->browser();
    EXPECT_FALSE(browser->toPlainText().isEmpty());

    // Follow the first link of the contents from the keyboard, then come back.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_FALSE(browser->source().fragment().isEmpty());
    EXPECT_TRUE(browser->isBackwardAvailable());
    QPushButton* back = window->findChildren<QPushButton*>().value(0);
    ASSERT_NE(back, nullptr);
    back->click();
    EXPECT_TRUE(browser->source().fragment().isEmpty());
    EXPECT_TRUE(browser->isForwardAvailable());
}

} // namespace
} // namespace tarmigo
