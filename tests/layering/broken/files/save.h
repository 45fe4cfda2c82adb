#include "files/save.h"

#include "core/text.h"
#include "render/paint.h"
