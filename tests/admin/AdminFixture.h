#pragma once

// A program folder of its own, the registry values in a scratch file and no
// modal window: Mesaj and AskPassword take queued answers.

#include "TestSupport.h"
#include "admin/ui/AdminWindow.h"
#include "admin/ui/PasswordDialog.h"
#include "base/Paths.h"
#include "data/Settings.h"
#include "shell/AccessState.h"
#include "shell/Formats.h"
#include "shell/ui/TestSeam.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace kovara::test {

inline const QString Erori = QStringLiteral("Erori");

class AdminWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        setProgramDir(scratch.path());
        QDir().mkpath(DataDir());
        setRegistryPath(scratch.file(QStringLiteral("registry.ini")));
        seam::activate();
        seam::clearInputQuery();
        LoadConstants();
        form = std::make_unique<AdminWindow>(access);
    }

    void TearDown() override
    {
        form.reset();
        seam::clearInputQuery();
        seam::deactivate();
        setRegistryPath(QString());
    }

    void setPassword(const char *first, const char *second)
    {
        form->newPassword->setText(QString::fromUtf8(first));
        form->newPasswordAgain->setText(QString::fromUtf8(second));
        form->SchimbaBut->click();
    }

    QString lastMesajText() const
    {
        return seam::mesajCalls().isEmpty() ? QString() : seam::mesajCalls().last().text;
    }

    kovara::test::ScratchDir scratch;
    AccessState access;
    PasswordDialog passwordPrompt;
    std::unique_ptr<AdminWindow> form;
};

} // namespace kovara::test
