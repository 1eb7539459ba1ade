#pragma once

// Whether a file can be a template at all: RTF whose groups close where
// they should and which has a body to fill. A template edited by hand can
// lose or gain a brace; the engine would then write a document that a word
// processor shows empty, cut short or not at all, so the documents refuse
// such a template before they begin.

#include <QByteArray>
#include <QString>

namespace kovara {

struct RtfStructureFault
{
    enum class Kind {
        None,
        Empty,         // nothing, or only blanks
        NotRtf,        // does not begin with "{\rtf"
        UnclosedGroup, // a "{" with no "}": the document's group never closes
        ClosedEarly,   // a "}" too many: the document's group closes before the end
        TextAfterEnd,  // text after the brace that closes the document
        NoBody         // no "\par" nor "\pard" in the document: nothing to fill
    };
    Kind kind = Kind::None;
    int line = 0; // where the fault shows, from 1; 0 when it has no place
    int open = 0; // UnclosedGroup: the groups still open at the end
    bool ok() const { return kind == Kind::None; }
};

// Checks the RTF text. Blanks (codes up to 32, NUL included) may stand
// before the document's "{\rtf" and after its closing brace. "\{", "\}"
// and "\\" are text, as is whatever follows "\'" (a character of the code
// page). "\bin" is read as any control word, as the engine reads it: its
// bytes are counted like text. Lines are counted at CR LF, LF or a lone CR.
RtfStructureFault CheckRtfStructure(const QByteArray &rtf);

// The fault as a message says it, after "Modelul X " ("este gol", "are o
// acolada } in plus: documentul se inchide pe linia 4, inainte de sfarsitul
// fisierului", "nu are nici un paragraf de completat"); empty for a sound
// text.
QString RtfStructureFaultText(const RtfStructureFault &fault);

} // namespace kovara
