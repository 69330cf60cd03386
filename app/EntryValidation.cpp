#include "app/EntryValidation.h"
