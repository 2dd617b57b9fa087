#pragma once

#include "records/PersonObject.h"
#include "store/KexObject.h"
