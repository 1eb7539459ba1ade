#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kovara {

// "Despre program": the title with version and what the program is for.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);

    void setTitle(const QString &title);

    QLabel *Titlu;
    QLabel *Descriere;
    QPushButton *Continuare;
};

} // namespace kovara
