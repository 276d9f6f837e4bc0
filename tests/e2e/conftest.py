# The program under test, built by CMake and named by it when it runs each script.
import os

import pytest


@pytest.fixture
def binary():
    return os.environ["FILMOTAS_BINARY"]
