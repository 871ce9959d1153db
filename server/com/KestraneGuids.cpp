// Defines the LIBID, IID and CLSID that the generated interface header declares.
#include <initguid.h>

#include "Kestrane_h.h"
