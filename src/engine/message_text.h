// Text from files and command lines, fit to be shown in a message: the rule is the
// base layer's, shared with the database's messages.
#pragma once

#include "base/text.h"
