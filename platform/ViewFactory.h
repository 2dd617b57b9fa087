#pragma once

#include "platform/FormPresenter.h"

#include <memory>
#include <optional>
#include <string>

// Builds the view for a presenter and shows message boxes. The Qt front end
// has the real one; tests use scripted views; the command line has none.
class IViewFactory {
public:
    virtual ~IViewFactory() = default;
    // A view for the presenter, or nullptr when this factory has none for it.
    virtual std::unique_ptr<IFormView> CreateView(TFormPresenter& presenter) = 0;
    // A message box of the given type (mb:: flags); answers an id:: value.
    virtual int MessageBox(const std::string& text, const std::string& caption, int type) = 0;
    // The file-open dialog: the chosen file's full path, or nullopt when the
    // user cancelled. filter is "Description|*.ext;*.ext|..." ("" = all
    // files); mustExist refuses names of files that do not exist.
    virtual std::optional<std::string> OpenFileName(const std::string& title,
                                                    const std::string& initialFolder,
                                                    const std::string& filter, bool mustExist) = 0;
};
