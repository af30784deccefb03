#include "nucleo/TQuadroRendIsentos.h"

#include "nucleo/UtilTexto.h"

namespace {

const QString kFraseCopa = QStringLiteral(
    "Benefícios indiretos e reembolso de despesas recebidos por Voluntários da Fifa, da Subsidiária Fifa no "
    "Brasil ou do LOC");
const QString kFraseBolsa = QStringLiteral("Bolsas de estudo pagos ou creditados aos médicos-residentes");
const QString kFraseAbono = QStringLiteral("Abono pecuniário");

}  // namespace

TQuadroRendIsentos::TQuadroRendIsentos()
    : m_valores{&m_linha01,   &m_diarias,   &m_molestia, &m_lucros,     &m_titularSocio, &m_indenizacoes,
                &m_somaAbono, &m_somaBolsa, &m_somaCopa, &m_somaOutros, &m_linha07} {
  SetModificado(false);
}

void TQuadroRendIsentos::AcrescentaFrases() {
  const auto acrescenta = [this](const TMonetario& soma, bool& presente, const QString& frase) {
    if (presente || soma.EhZero()) return;
    AcrescentaDescricao(frase);
    presente = true;
  };
  acrescenta(m_somaCopa, m_temFraseCopa, kFraseCopa);
  acrescenta(m_somaBolsa, m_temFraseBolsa, kFraseBolsa);
  acrescenta(m_somaAbono, m_temFraseAbono, kFraseAbono);
}

void TQuadroRendIsentos::AcrescentaDescricao(const QString& texto) {
  const QString novo = Apara(texto);
  if (novo.isEmpty()) return;
  const QString atual = m_descricao.GetValor();
  m_descricao.SetValor(atual.isEmpty() ? novo : atual + QStringLiteral(", ") + novo);
}

void TQuadroRendIsentos::Limpar() {
  for (TMonetario* valor : m_valores) valor->Limpar();
  m_descricao.Limpar();
  m_temFraseCopa = m_temFraseBolsa = m_temFraseAbono = false;
}

bool TQuadroRendIsentos::GetModificado() const {
  if (!m_modificado) {
    m_modificado = m_descricao.GetModificado();
    for (const TMonetario* valor : m_valores) m_modificado = m_modificado || valor->GetModificado();
  }
  return m_modificado;
}

void TQuadroRendIsentos::SetModificado(bool modificado) {
  m_modificado = modificado;
  for (TMonetario* valor : m_valores) valor->SetModificado(modificado);
  m_descricao.SetModificado(modificado);
}
