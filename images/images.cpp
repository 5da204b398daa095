// Anchor for the compiled-in picture resources; the pictures themselves are
// attached to this library by qt_add_resources.
