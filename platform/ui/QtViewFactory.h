#pragma once

#include "platform/ViewFactory.h"

#include <functional>
#include <memory>
#include <string>

class QWidget;

// The desktop's view factory: builds the Qt view registered for a
// presenter's form name, shows message boxes and file dialogs.
class TQtViewFactory : public IViewFactory {
public:
    using Maker = std::function<std::unique_ptr<IFormView>(TFormPresenter&, QWidget* parent)>;

    explicit TQtViewFactory(QWidget* parent = nullptr);

    // Each layer's views are entered by form name (app/ViewRegistry.cpp).
    static void Register(const std::string& formName, Maker maker);
    static bool IsRegistered(const std::string& formName);

    // The window dialogs are centred over (the main window once it exists).
    void SetParent(QWidget* parent) { FParent = parent; }

    std::unique_ptr<IFormView> CreateView(TFormPresenter& presenter) override;
    int MessageBox(const std::string& text, const std::string& caption, int type) override;
    std::optional<std::string> OpenFileName(const std::string& title,
                                            const std::string& initialFolder,
                                            const std::string& filter, bool mustExist) override;

private:
    QWidget* FParent;
};
