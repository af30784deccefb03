#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QVBoxLayout>

#include <functional>
#include <map>
#include <stdexcept>
#include <set>
#include <utility>

#include "controles/TEstadoNovo.h"
#include "controles/TFormAssistNovo.h"

// A wizard of three pages for the tests (and the window pictures): 1 an introduction, 2 a working
// step, 3 the end. Every call of the framework into it is written to a trace:
// "M2" page 2 shown, "E2" state 2 entered, "P2" step 2 done, "X2" error of state 2 shown,
// "T2:3" state 2 handed the event 3. Routes come from a table (state, event) -> (next, go on).
namespace assistente_teste {

struct Rota {
  int proximo;
  bool continua;
};
using Rotas = std::map<std::pair<int, int>, Rota>;

inline Rotas RotasPadrao() {
  return {{{1, 3}, {2, false}}, {{1, 4}, {2, true}}, {{2, 3}, {3, false}},
          {{2, 4}, {3, true}},  {{3, 3}, {0, false}}, {{3, 4}, {0, false}}};
}

class AssistenteTeste;

class EstadoTeste : public TEstadoNovo {
 public:
  EstadoTeste(TFormAssistNovo* dono, int pagina, AssistenteTeste* assistente)
      : TEstadoNovo(dono, pagina), m_assistente(assistente) {}

  void Entra() override;
  void TrataErro() override;
  bool TrataEvento(int evento) override;

 private:
  AssistenteTeste* m_assistente;
};

class AssistenteTeste : public TFormAssistNovo {
 public:
  explicit AssistenteTeste(Rotas rotas = RotasPadrao(), int quantidade = 3, QWidget* dono = nullptr)
      : TFormAssistNovo(dono), rotas(std::move(rotas)) {
    setWindowTitle(QStringLiteral("Assistente de teste"));
    const QStringList titulos = {QStringLiteral("Bem-vindo ao assistente de teste"),
                                 QStringLiteral("Processamento"), QStringLiteral("Conclusão")};
    for (int p = 1; p <= quantidade; ++p) {
      QWidget* painel = CriaPainel(p);
      auto* layout = new QVBoxLayout(painel);
      layout->setContentsMargins(24, 20, 24, 12);
      auto* titulo = new QLabel(p <= 3 ? titulos[p - 1] : QStringLiteral("Página %1").arg(p), painel);
      titulo->setObjectName(QStringLiteral("LbTitulo%1").arg(p));
      QFont f = titulo->font();
      f.setPointSize(12);
      f.setBold(true);
      titulo->setFont(f);
      layout->addWidget(titulo);
      if (p == 2) {
        layout->addWidget(new QLabel(QStringLiteral("Nome do arquivo a processar:"), painel));
        edit = new QLineEdit(painel);
        edit->setObjectName(QStringLiteral("EdArquivo"));
        layout->addWidget(edit);
      } else {
        auto* texto = new QLabel(QStringLiteral("Clique em Avançar para continuar ou em Cancelar para sair."), painel);
        texto->setWordWrap(true);
        layout->addWidget(texto);
      }
      layout->addStretch(1);
      CriaEstado<EstadoTeste>(p, this);
    }
    ExecutaEstado();
    rastro.clear();
    connect(this, &QDialog::finished, this, [this](int r) { fim = r; });
  }

  void MostraPagina(int pagina) override {
    rastro << QStringLiteral("M%1").arg(pagina);
    // A framework that loops fails the test instead of hanging it.
    if (rastro.size() > 500) throw std::runtime_error("o assistente não para");
    MostraPainel(pagina);
    if (!ajustaBotoes) return;
    HabilitaCancelar(true);
    HabilitaVoltar(pagina > 1);
    HabilitaAvancar(pagina < 3);
    HabilitaConcluir(true);
  }

  void ExecutaEstado() override {
    if (++execucoes > 500) throw std::runtime_error("o assistente não para");
    TFormAssistNovo::ExecutaEstado();
  }

  bool ProcessaPasso(int passo) override {
    rastro << QStringLiteral("P%1").arg(passo);
    if (trabalho) return trabalho(passo);
    if (falhas[passo] > 0) {
      --falhas[passo];
      return false;
    }
    return true;
  }

  bool PodeAvancar(int indice) override { return !bloqueadas.count(indice); }

  QString trilha() const { return rastro.join(' '); }

  Rotas rotas;
  QStringList rastro;
  std::set<int> bloqueadas;      // pages that may not be left
  std::map<int, int> falhas;     // steps that fail this many times
  std::function<bool(int)> trabalho;
  bool ajustaBotoes = true;
  int fim = -1;                  // the dialog's result once it ended
  int execucoes = 0;
  QLineEdit* edit = nullptr;
};

inline void EstadoTeste::Entra() {
  m_assistente->rastro << QStringLiteral("E%1").arg(Pagina());
  if (Pagina() == 2 && !Owner()->ProcessaPasso(Pagina())) {
    Owner()->MarcaErro(true);
    SetProximo(3);
  }
}

inline void EstadoTeste::TrataErro() { m_assistente->rastro << QStringLiteral("X%1").arg(Pagina()); }

inline bool EstadoTeste::TrataEvento(int evento) {
  m_assistente->rastro << QStringLiteral("T%1:%2").arg(Pagina()).arg(evento);
  if (m_assistente->rastro.size() > 500) throw std::runtime_error("o assistente não para");
  if (evento == EventoAssistente::Cancelar) {
    SetProximo(RotaAssistente::Cancela);
    return false;
  }
  const auto it = m_assistente->rotas.find({Pagina(), evento});
  if (it == m_assistente->rotas.end()) {
    SetProximo(RotaAssistente::Cancela);
    return false;
  }
  SetProximo(it->second.proximo);
  return it->second.continua;
}

}  // namespace assistente_teste
