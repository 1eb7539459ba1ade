// The application object itself: a failure escaping an event handler is
// shown by the error display and the program goes on. Needs its own main,
// since a process has one application object.

#include "base/Error.h"
#include "shell/ui/ErrorDisplay.h"
#include "shell/ui/TestSeam.h"

#include <QTimer>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace kovara;

namespace {

class Throwing : public QObject
{
protected:
    bool event(QEvent *e) override
    {
        if (e->type() == QEvent::User)
            throw Error(QStringLiteral("Tabela Cereri.dbf este blocata."));
        return QObject::event(e);
    }
};

} // namespace

TEST(KovaraApplication, FailureInAnEventHandlerIsShownAndTheLoopGoesOn)
{
    seam::activate();
    Throwing target;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&target, &event));
    ASSERT_EQ(seam::errorsShown().size(), 1);
    EXPECT_EQ(seam::errorsShown().first(), QStringLiteral("Tabela Cereri.dbf este blocata."));

    // Inside the event loop: a failing timer does not end the program.
    bool after = false;
    QTimer::singleShot(0, [] { throw std::runtime_error("disk full"); });
    QTimer::singleShot(10, [&after] {
        after = true;
        QCoreApplication::exit(7);
    });
    EXPECT_EQ(QCoreApplication::exec(), 7);
    EXPECT_TRUE(after);
    ASSERT_EQ(seam::errorsShown().size(), 2);
    EXPECT_EQ(seam::errorsShown().last(), QStringLiteral("disk full"));
    seam::deactivate();
}

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    KovaraApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
