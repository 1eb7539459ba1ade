#pragma once

// A seam for tests and tools: while it is active no modal window of the
// program is shown. Mesaj records each call and returns the next queued
// answer; the file and folder choosers return the next queued path; the
// general error display records the message instead of showing a box.
// With no answer queued, Mesaj returns 2 and a chooser returns the empty
// text (both count as "cancelled"), so a test never blocks. Files handed
// to the desktop are recorded by shell/OpenDocument.h's openseam.

#include <QList>
#include <QString>

namespace kovara::seam {

struct MesajCall
{
    QString title;
    QString text;
    int kind;
    int buttons;
    int defaultButton = 0; // 0: the first button shown
};

struct ChooserCall
{
    QString kind; // "open", "save" or "folder"
    QString title;
};

void activate();   // clears every queue and record, then activates
void deactivate(); // back to real windows
bool active();

void pushMesajAnswer(int result);
const QList<MesajCall> &mesajCalls();

void pushChoice(const QString &path); // the empty text answers "cancelled"
const QList<ChooserCall> &chooserCalls();

const QList<QString> &errorsShown();

// Used by the windows themselves.
bool takeMesajAnswer(int &result);
bool takeChoice(QString &path);
void recordMesaj(const MesajCall &call);
void recordChooser(const ChooserCall &call);
void recordError(const QString &message);

} // namespace kovara::seam
