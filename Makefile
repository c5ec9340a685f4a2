# Deux commandes sur une Debian neuve : "make run" et "make test".
BUILD := build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
# Le préréglage de CMakePresets.json : "defaut", ou "ci" (avertissements en erreurs).
PRESET ?= defaut

.PHONY: run test bench build configure deps clean install uninstall paquet

run: build
	./$(BUILD)/Kalvoro/kalvoro

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) --target bench

# Installe ce que "make build" a construit, sous PREFIX (/usr/local par défaut) ; DESTDIR est
# suivi comme d'ordinaire. Sans dépendance : "sudo make install" ne reconstruit rien en root.
PREFIX ?= /usr/local
# La liste des fichiers posés est gardée à part : les essais installent eux aussi, ailleurs.
install:
	cmake --install $(BUILD) --prefix $(PREFIX)
	cp $(BUILD)/install_manifest.txt $(BUILD)/fichiers_installes.txt

# Retire les fichiers installés, et eux seuls : les scores des joueurs restent chez eux.
uninstall:
	xargs -d '\n' rm -f -- < $(BUILD)/fichiers_installes.txt

# Le paquet Debian dans build/paquet/, puis l'avis de lintian s'il est là.
paquet: build
	cd $(BUILD) && cpack -G DEB
	if command -v lintian >/dev/null; then lintian --info $(BUILD)/paquet/kalvoro_*.deb; fi

build: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	cmake --preset $(PRESET)

deps:
	bash scripts/install-deps.sh

clean:
	rm -rf $(BUILD)
