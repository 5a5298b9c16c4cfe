# Read by ctest before it runs the tests, which inherit its environment: their scratch files go
# to a folder in memory where the machine has one, so that their saves do not wait for a disk
# the whole machine shares. Only the tests' speed depends on it.
if(IS_DIRECTORY /dev/shm)
  set(ENV{TMPDIR} /dev/shm)
endif()
# The settings the program keeps for its user (language, astronomical places) go to a folder of
# the tests', never into the configuration folder of whoever runs them.
if(DEFINED ENV{TMPDIR})
  set(ENV{XDG_CONFIG_HOME} "$ENV{TMPDIR}/qarvo-tests-config")
else()
  set(ENV{XDG_CONFIG_HOME} /tmp/qarvo-tests-config)
endif()
