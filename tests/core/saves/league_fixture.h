// Until every test includes tests/support directly: the league builder and the
// temporary folder live there now.
#pragma once

#include "support/temp_dir.h"
#include "support/test_league.h"
