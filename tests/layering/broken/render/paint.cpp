#include "render/paint.h"

#include "core/text.h"
