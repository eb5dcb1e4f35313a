// Handlers of the page control.
// Empty until the behaviour of their feature is built.
#include "ui/TAxKelvaro.h"
