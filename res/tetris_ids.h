// The Tetris tidget's face.
#pragma once

#define IDB_TETRIS 188
