// Placeholder until the SDL2 back-end lands.
