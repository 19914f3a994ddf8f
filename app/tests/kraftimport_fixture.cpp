// Export objects of member cuts for the force-import tests: the host
// library's own test builder, compiled into this test program as well.
#include "hostenv/tests/kxp_fixture.cpp"
