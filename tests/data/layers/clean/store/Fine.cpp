#include "platform/Services.h"
#include "store/KexObject.h"
#include "ui_Form.h"

#include <string>
