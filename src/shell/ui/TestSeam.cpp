#include "shell/ui/TestSeam.h"

#include <QQueue>

namespace kovara::seam {
namespace {

struct State
{
    bool active = false;
    QQueue<int> mesajAnswers;
    QList<MesajCall> mesajCalls;
    QQueue<QString> choices;
    QList<ChooserCall> chooserCalls;
    QList<QString> errors;
};

State &state()
{
    static State s;
    return s;
}

} // namespace

void activate()
{
    state() = State{};
    state().active = true;
}

void deactivate()
{
    state() = State{};
}

bool active()
{
    return state().active;
}

void pushMesajAnswer(int result)
{
    state().mesajAnswers.enqueue(result);
}

const QList<MesajCall> &mesajCalls()
{
    return state().mesajCalls;
}

void pushChoice(const QString &path)
{
    state().choices.enqueue(path);
}

const QList<ChooserCall> &chooserCalls()
{
    return state().chooserCalls;
}

const QList<QString> &errorsShown()
{
    return state().errors;
}

bool takeMesajAnswer(int &result)
{
    if (!state().active)
        return false;
    result = state().mesajAnswers.isEmpty() ? 2 : state().mesajAnswers.dequeue();
    return true;
}

bool takeChoice(QString &path)
{
    if (!state().active)
        return false;
    path = state().choices.isEmpty() ? QString() : state().choices.dequeue();
    return true;
}

void recordMesaj(const MesajCall &call)
{
    if (state().active)
        state().mesajCalls.append(call);
}

void recordChooser(const ChooserCall &call)
{
    if (state().active)
        state().chooserCalls.append(call);
}

void recordError(const QString &message)
{
    if (state().active)
        state().errors.append(message);
}

} // namespace kovara::seam
