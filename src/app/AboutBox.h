#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kovara {

// "Despre program": the title with version and what the program is for.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);

    void setTitle(const QString &title);

    QLabel *Titlu;
    QLabel *Descriere;
    QPushButton *Continuare;
};

} // namespace kovara
