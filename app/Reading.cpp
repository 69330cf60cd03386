#include "app/Reading.h"
