# The folders whose sources make up the library; each adds its sources to the
# object library kavlor_objects. The main build and the fuzzing build both
# take the list from here.
set(KAVLOR_LIBRARY_FOLDERS kernel platform devices graphics2d graphics3d widgets)
