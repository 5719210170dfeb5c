// A message model that reaches up into the window: the layering test must refuse it.
#include <SDL.h>

#include "messages/Message.h"
#include "window/MainWindow.h"
