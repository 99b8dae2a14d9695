// The texts' string ids: PELGRA_TEXT_ID_BASE plus the text's line in res/texts.inc.
#pragma once

#define PELGRA_TEXT_ID_BASE 4000
