#include "app/AboutBox.h"

#include "shell/Formats.h"
#include "shell/ui/Keyboard.h"
#include "shell/ui/Resources.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kovara {

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , Titlu(new QLabel(this))
    , Descriere(new QLabel(this))
    , Continuare(new QPushButton(QStringLiteral("CONTINUARE"), this))
{
    InitResources();
    setWindowTitle(QStringLiteral("Despre program"));
    setObjectName(QStringLiteral("AboutBox"));

    auto *icon = new QLabel(this);
    icon->setPixmap(QPixmap(QStringLiteral(":/icons/help-about.png")));
    QFont big = Titlu->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    Titlu->setFont(big);
    Titlu->setAlignment(Qt::AlignCenter);
    Descriere->setText(QStringLiteral("Program pentru evidenta alocatiilor si indemnizatiilor\n"
                                      "pentru cresterea copiilor."));
    Descriere->setAlignment(Qt::AlignCenter);
    Continuare->setDefault(true);
    connect(Continuare, &QPushButton::clicked, this, &QDialog::accept);

    auto *head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(Titlu, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(14);
    layout->addLayout(head);
    layout->addWidget(Descriere);
    layout->addWidget(Continuare, 0, Qt::AlignCenter);
    setTitle(TitleWithVersion());
    KeyboardRules::attach(this);
}

void AboutBox::setTitle(const QString &title)
{
    Titlu->setText(title);
}

} // namespace kovara
