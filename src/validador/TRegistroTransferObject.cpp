#include "validador/TRegistroTransferObject.h"

#include <QDate>

#include "plataforma/bd/ChamadaProcedimento.h"
#include "validador/TDataAccess.h"

using enum TTipoRegistro;

namespace {

// The twin of a beneficiary type: the other kind of beneficiary of the same block.
int Gemeo(TTipoRegistro tipo) {
  switch (tipo) {
    case BPFDEC: return Ordinal(BPJDEC);
    case BPJDEC: return Ordinal(BPFDEC);
    case BPFFCI: return Ordinal(BPJFCI);
    case BPJFCI: return Ordinal(BPFFCI);
    case BPFPROC: return Ordinal(BPJPROC);
    case BPJPROC: return Ordinal(BPFPROC);
    default: return -1;
  }
}

}  // namespace

TRegistroTransferObject::TRegistroTransferObject(TDataAccess& banco, TArquivoDados& dados)
    : m_banco(banco), m_dados(dados) {}

TRegistroTransferObject::~TRegistroTransferObject() = default;

TRegistroTransferObject::Tipos TRegistroTransferObject::TiposDe(std::initializer_list<TTipoRegistro> tipos) {
  Tipos t;
  for (TTipoRegistro tipo : tipos) t.set(size_t(Ordinal(tipo)));
  return t;
}

void TRegistroTransferObject::Grava() {
  if (!m_proc1) return;
  m_proc1->executa();
  if (m_proc2 && m_pendente2) {
    m_proc2->executa();
    m_pendente2 = false;
  }
  if (m_proc3 && m_pendente3) {
    m_proc3->executa();
    m_pendente3 = false;
  }
}

void TRegistroTransferObject::ReiniciaParametros() {
  for (auto* p : {m_proc1.get(), m_proc2.get(), m_proc3.get()})
    if (p) p->reinicia();
  m_pendente2 = m_pendente3 = false;
}

bool TRegistroTransferObject::DeveGravar(TTipoRegistro tipo) {
  const size_t t = size_t(Ordinal(tipo));
  const int gemeo = Gemeo(tipo);
  if (!m_vistos.test(t) && (gemeo < 0 || !m_vistos.test(size_t(gemeo)))) {
    m_vistos.set(t);
    return false;
  }
  m_vistos.reset();
  return true;
}

std::unique_ptr<bd::ChamadaProcedimento> TRegistroTransferObject::Prepara(const char* nome) {
  auto p = std::make_unique<bd::ChamadaProcedimento>(m_banco.Transacao(), QString::fromLatin1(nome), QDate(1899, 12, 30));
  p->prepara();
  return p;
}

int TRegistroTransferObject::Entrada(const bd::ChamadaProcedimento& procedimento, const char* nome) {
  return procedimento.entrada(QString::fromLatin1(nome));
}

int TRegistroTransferObject::Saida(const bd::ChamadaProcedimento& procedimento, const char* nome) {
  return procedimento.saida(QString::fromLatin1(nome));
}

void TRegistroTransferObject::Texto(bd::ChamadaProcedimento& procedimento, int posicao, QStringView texto) {
  procedimento.defineTexto(posicao, texto);
}

void TRegistroTransferObject::TextoOuNulo(bd::ChamadaProcedimento& procedimento, int posicao, QStringView texto) {
  if (texto.isEmpty())
    procedimento.defineNulo(posicao);
  else
    procedimento.defineTexto(posicao, texto);
}
