// Placeholder so the folder builds; replaced by the command implementations.
