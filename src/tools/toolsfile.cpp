#include "tools/toolsfile.h"
