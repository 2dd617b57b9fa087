#include "store/KexObject.h"

#include <QString>
#include <string>
