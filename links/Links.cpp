#include "links/Links.h"
