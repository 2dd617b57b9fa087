#include "shell/ui/AboutBox.h"

#include "platform/ui/IconImages.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <memory>

QDialog* CreateAboutBox(QWidget* parent) {
    auto* box = new QDialog(parent);
    box->setObjectName(QStringLiteral("AboutBox"));
    box->setWindowTitle(QObject::tr("About %1").arg(QString::fromLatin1(kAboutProgramName)));
    box->setWindowIcon(AppIcon());

    auto* icon = new QLabel(box);
    icon->setObjectName(QStringLiteral("ProgramIcon"));
    icon->setPixmap(AppIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* name = new QLabel(QString::fromLatin1(kAboutProgramName), box);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);

    auto* version = new QLabel(QString::fromLatin1(kAboutVersionText), box);
    version->setObjectName(QStringLiteral("Version"));

    auto* about = new QLabel(
        QObject::tr("A personal contact manager: one tree of the people, organizations, "
                    "teams and websites you deal with, with their addresses, numbers, "
                    "reminders and documents, one click from a letter, a call or a message."),
        box);
    about->setObjectName(QStringLiteral("Comments"));
    about->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addSpacing(8);
    text->addWidget(about);
    text->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(top);
    layout->addWidget(buttons);
    box->setFixedWidth(380);
    box->adjustSize();
    return box;
}

void ShowAboutBox(QWidget* parent) {
    std::unique_ptr<QDialog> box(CreateAboutBox(parent));
    box->exec();
}
