#include "platform/AskUser.h"

#include "platform/MessageBox.h"
#include "platform/Services.h"
#include "platform/ViewFactory.h"

int AskUser(const std::string& text, const std::string& caption, int type) {
    IViewFactory* views = Svc().Views;
    return views ? views->MessageBox(text, caption, type) : id::Cancel;
}
