#pragma once

class Formfeld1;

// Names and descriptions for screen readers, in German.
void describeForAssistiveTechnology(Formfeld1& form);
