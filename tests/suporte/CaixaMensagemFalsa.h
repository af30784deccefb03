#pragma once

#include <QString>

#include "suporte/QtGtest.h"

#include <deque>
#include <vector>

#include "nucleo/CaixaMensagem.h"

// Stands in for the program's message box while it lives: records every message and answers
// from a script (then with the default answer).
class CaixaMensagemFalsa : public ICaixaMensagem {
 public:
  struct Chamada {
    QString texto;
    QString titulo;
    int flags;
  };

  explicit CaixaMensagemFalsa(int respostaPadrao = ResultadoMensagem::Ok);
  ~CaixaMensagemFalsa() override;

  int MostraMensagem(const QString& texto, const QString& titulo, int flags) override;

  void responde(int resposta) { m_respostas.push_back(resposta); }
  const std::vector<Chamada>& chamadas() const { return m_chamadas; }
  const Chamada& ultima() const { return m_chamadas.back(); }
  void limpa() { m_chamadas.clear(); }

 private:
  ICaixaMensagem* m_anterior;
  int m_padrao;
  std::deque<int> m_respostas;
  std::vector<Chamada> m_chamadas;
};
