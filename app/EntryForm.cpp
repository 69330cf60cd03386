#include "app/EntryForm.h"
