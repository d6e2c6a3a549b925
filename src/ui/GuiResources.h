#pragma once

// Registers the images compiled into the (static) GUI library; safe to call more than once.
void initGuiResources();
