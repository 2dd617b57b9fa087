#include "platform/ui/QtText.h"
#include "records/PersonObject.h"
#include "store/ui/TreeModel.h"

#include <QWidget>
