// The bottle's rules naming a header without its room: refused too.
#include "Playfield.h"
