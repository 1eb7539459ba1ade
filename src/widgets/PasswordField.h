#pragma once

// A password box that shows "*" for every letter typed, as the program's
// texts say, whatever the platform's theme would show ("●") and whether or
// not the application has a style sheet.

class QLineEdit;
class QWidget;

namespace kovara {

// A line edit in password mode with the "*" mask, at most `maxLength` letters.
QLineEdit *NewPasswordField(QWidget *parent, int maxLength);

} // namespace kovara
