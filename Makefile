# The front door: each target installs what it needs and builds first.
.PHONY: demo test
demo:
	scripts/demo.sh
test:
	scripts/test.sh
