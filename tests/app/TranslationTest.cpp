// Qt's own dialogs speak Romanian once the program's translation is
// installed: the file chooser, the print preview and its print action (which
// the preview still finds by its text), Qt's error texts.

#include "engines/report/ui/ReportPreview.h"
#include "shell/ui/Translation.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <gtest/gtest.h>

using namespace kovara;

TEST(QtRomanian, DialogsAndErrorsInRomanian)
{
    ASSERT_TRUE(InstallQtRomanian());
    EXPECT_TRUE(InstallQtRomanian()); // once is enough
    const struct
    {
        const char *context, *source, *romanian;
    } cases[] = {
        {"QFileDialog", "Look in:", "Cauta in:"},
        {"QFileDialog", "File &name:", nullptr},
        {"QPlatformTheme", "Cancel", "Renunt"},
        {"QPlatformTheme", "Save", "Salveaza"},
        {"QPrintPreviewDialog", "Print", "Tipareste"},
        {"QSaveFile", "Existing file %1 is not writable", nullptr},
    };
    for (const auto &c : cases) {
        const QString shown = QCoreApplication::translate(c.context, c.source);
        EXPECT_NE(shown, QString::fromLatin1(c.source)) << c.context << " " << c.source;
        if (c.romanian) {
            EXPECT_EQ(shown, QString::fromLatin1(c.romanian)) << c.source;
        }
    }

    // Qt's own file chooser (the one shown where the desktop has none).
    QFileDialog chooser(nullptr, QStringLiteral("Unde punem DBF-ul?"));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    QStringList labels;
    for (QLabel *label : chooser.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_TRUE(labels.contains(QStringLiteral("Cauta in:"))) << labels.join('|').toStdString();
    for (QPushButton *button : chooser.findChildren<QPushButton *>()) {
        EXPECT_NE(button->text(), QStringLiteral("Cancel"));
        EXPECT_NE(button->text(), QStringLiteral("&Save"));
    }

    // The preview's print action, in Romanian, still prints without closing.
    ReportPreview preview{report::ReportDocument{}};
    auto *print = preview.findChild<QAction *>(QStringLiteral("printAction"));
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->text(), QStringLiteral("Tipareste"));
}
