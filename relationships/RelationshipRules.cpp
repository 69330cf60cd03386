#include "relationships/RelationshipRules.h"
