# The front door: each target installs what it needs and builds first.
.PHONY: test
test:
	scripts/test.sh
