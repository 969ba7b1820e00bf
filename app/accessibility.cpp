#include "app/accessibility.h"

#include "app/formfeld1.h"

void describeForAssistiveTechnology(Formfeld1&)
{
}
