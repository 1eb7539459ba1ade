#pragma once

// The backup window "Salvare - Restaurare": saves every non-empty file of the
// data folder into one archive chosen by the user, and restores the data
// folder from such an archive. The main window opens it modally (exec()).
// A restore ends the program, which must be started again.

#include <QDialog>
#include <QStringList>
#include <functional>

class QLabel;
class QPushButton;

namespace kovara {

class BackupWindow : public QDialog
{
    Q_OBJECT
public:
    explicit BackupWindow(QWidget *parent = nullptr);

    QPushButton *saveButton;    // "Salveaza baza de date"
    QPushButton *restoreButton; // "Restaureaza baza de date"
    QLabel *statusLine;         // "ESC - Iesire"

    // The full paths of the data files to save (never shown).
    QStringList NumeFisiere;
    // Entries of the data folder left out because they are links (or not
    // regular files): named in the result.
    QStringList skippedEntries;

    // Fills NumeFisiere with the non-empty regular files of folder/Data;
    // `except` (the archive being written) is left out.
    void ListFileDir(const QString &folder, const QString &except = QString());
    // Writes the archive from NumeFisiere, moving the progress counter.
    void CompressFiles(const QString &archive);
    // Replaces the files of target/Data by the archive's, moving the counter.
    void DecompressFiles(const QString &archive, const QString &target);

    // The two commands: save and restore.
    void SalveazaClick();
    void RestaureazaClick();

    // What ends the program after a restore (tests replace it).
    std::function<void()> endProgram;

private:
    void startWork(const QString &text);
    void endWork();
    void fail(const QString &message);
};

} // namespace kovara
