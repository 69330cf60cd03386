#include "app/ChartFile.h"
