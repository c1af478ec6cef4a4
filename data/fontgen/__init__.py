# Shared parts of the font generators in data/: reading the sources, composing
# glyphs, encoding the glyph tables and writing C++ sources.
