# The front door: each target installs what it needs and builds first.
.PHONY: demo test bench
demo:
	scripts/demo.sh
test:
	scripts/test.sh
bench:
	scripts/bench.sh
