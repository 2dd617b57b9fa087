#include "platform/ui/QtViewFactory.h"

#include "platform/FileFilter.h"
#include "platform/MessageBox.h"
#include "platform/ui/QtText.h"

#include <QFileDialog>
#include <QMessageBox>
#include <map>

namespace {
std::map<std::string, TQtViewFactory::Maker>& Registry() {
    static std::map<std::string, TQtViewFactory::Maker> registry;
    return registry;
}
} // namespace

TQtViewFactory::TQtViewFactory(QWidget* parent) : FParent(parent) {}

void TQtViewFactory::Register(const std::string& formName, Maker maker) {
    Registry()[formName] = std::move(maker);
}

bool TQtViewFactory::IsRegistered(const std::string& formName) {
    return Registry().count(formName) != 0;
}

std::unique_ptr<IFormView> TQtViewFactory::CreateView(TFormPresenter& presenter) {
    auto it = Registry().find(presenter.FormName());
    if (it == Registry().end()) return nullptr;
    return it->second(presenter, FParent);
}

int TQtViewFactory::MessageBox(const std::string& text, const std::string& caption, int type) {
    QMessageBox box(FParent);
    box.setWindowTitle(FromStored(caption));
    box.setText(FromStored(text));
    int icon = type & 0xF0;
    box.setIcon(icon == mb::IconError         ? QMessageBox::Critical
                : icon == mb::IconQuestion    ? QMessageBox::Question
                : icon == mb::IconWarning     ? QMessageBox::Warning
                : icon == mb::IconInformation ? QMessageBox::Information
                                              : QMessageBox::NoIcon);
    switch (type & 0x0F) {
    case mb::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case mb::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case mb::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return id::Ok;
    case QMessageBox::Yes:
        return id::Yes;
    case QMessageBox::No:
        return id::No;
    default:
        return id::Cancel;
    }
}

std::optional<std::string> TQtViewFactory::OpenFileName(const std::string& title,
                                                        const std::string& initialFolder,
                                                        const std::string& filter, bool mustExist) {
    QFileDialog dlg(FParent, FromStored(title), FromStored(initialFolder),
                    FromStored(QtFileFilter(filter)));
    dlg.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return ToStored(dlg.selectedFiles().first());
}
