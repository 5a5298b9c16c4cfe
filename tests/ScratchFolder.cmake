# Read by ctest before it runs the tests, which inherit its environment: their scratch files go
# to a folder in memory where the machine has one, so that their saves do not wait for a disk
# the whole machine shares. Only the tests' speed depends on it.
if(IS_DIRECTORY /dev/shm)
  set(ENV{TMPDIR} /dev/shm)
endif()
