#pragma once

#include <memory>

#include "validador/TPrimitivo.h"
#include "validador/TTipoRegistro.h"

class TRegistro;
class TobjectPool;

// The declaration element: the prototype pool of the run's layout, the record being tested, and
// the rules about the file as a whole (a header with its responsible person and declarant at the
// start, a trailer at the end).
class TDeclaracao : public TPrimitivo {
 public:
  // The layout version must be set in the run state already.
  explicit TDeclaracao(TArquivoDados& dados);
  ~TDeclaracao() override;

  static const TabelaRegras& Tabela();

  TobjectPool& Pool() { return *m_pool; }
  void MarcaTipoVisto(TTipoRegistro tipo);
  void SetRegistroAtual(TRegistro* registro) { m_registroAtual = registro; }
  TRegistro* GetRegistroAtual() const { return m_registroAtual; }
  bool FimAceito() const { return m_fimAceito; }
  void SetFimAceito(bool aceito) { m_fimAceito = aceito; }

  bool ER_DeclaracaoValida();
  bool ER_FimDeclaracaoValido();

 private:
  std::unique_ptr<TobjectPool> m_pool;
  std::unique_ptr<TRegistro> m_semTipo;
  TRegistro* m_registroAtual = nullptr;
  bool m_respoVisto = false;
  bool m_decpfVisto = false;
  bool m_decpjVisto = false;
  bool m_fimAceito = false;
};
