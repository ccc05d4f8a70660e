// The engine tests' SDTS module writer, compiled into this program as well so
// that the dialog reads the same kind of transfer the job tests use.
#include "import/sdts/SdtsTransfer.cpp"
